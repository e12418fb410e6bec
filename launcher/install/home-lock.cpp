#include "home-lock.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "log.h"

namespace {

const char* const kLogComponent = "service_debug";
const int kPollMs = 100;

} // namespace

HomeLock::~HomeLock()
{
    Release();
}

HomeLock::State HomeLock::Acquire(const ustring& dir, int timeout_ms)
{
    Release();
    ustring path = dir + "/install.lock";
    if (int err = m_lock.Open(path.c_str())) {
        Logger::LogMsg(Logger::L_WARNING, kLogComponent,
                       "[WARNING] home-lock(%d): cannot open lock file '%s': %s (%d), going "
                       "on without it\n",
                       __LINE__, path.c_str(), strerror(err), err);
        m_state = State::Unavailable;
        return m_state;
    }
    bool announced = false;
    for (int waited = 0;; waited += kPollMs) {
        int err = m_lock.TryLock();
        if (err == 0) {
            m_state = State::Held;
            return m_state;
        }
        if (err != EWOULDBLOCK && err != EINTR) {
            Logger::LogMsg(Logger::L_WARNING, kLogComponent,
                           "[WARNING] home-lock(%d): cannot lock '%s': %s (%d), going on "
                           "without it\n",
                           __LINE__, path.c_str(), strerror(err), err);
            Release();
            m_state = State::Unavailable;
            return m_state;
        }
        if (waited >= timeout_ms)
            break;
        if (!announced) {
            Logger::LogMsg(Logger::L_INFO, kLogComponent,
                           "[INFO] home-lock(%d): another launcher is installing in this "
                           "home, waiting for it\n",
                           __LINE__);
            announced = true;
        }
        usleep(kPollMs * 1000);
    }
    Logger::LogMsg(Logger::L_ERR, kLogComponent,
                   "[ERROR] home-lock(%d): '%s' still locked after %d ms, not installing "
                   "this time\n",
                   __LINE__, path.c_str(), timeout_ms);
    Release();
    m_state = State::Busy;
    return m_state;
}

void HomeLock::Release()
{
    m_lock.Close();
    m_state = State::Unlocked;
}
