#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QSignalSpy>
#include <QStringList>
#include <QThread>
#include <gtest/gtest.h>

#include "adapter.h"
#include "progress-recorder.h"

using testsupport::ProgressRecorder;

namespace {

// Polls the event loop until done() holds or 30 s pass.
template <typename Done>
bool WaitFor(Done done)
{
    QDeadlineTimer deadline(30000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

TEST(NotifyAdapter, IsOneObjectOnTheMainThread)
{
    Notify_Adapter* on_main = &Notify_Adapter::GetInstance();
    Notify_Adapter* on_worker = nullptr;
    QThread* worker = QThread::create([&] { on_worker = &Notify_Adapter::GetInstance(); });
    worker->start();
    worker->wait();
    delete worker;
    EXPECT_EQ(on_main, on_worker);
    EXPECT_EQ(QCoreApplication::instance()->thread(), on_main->thread());
    EXPECT_EQ(nullptr, on_main->parent());
}

// Nothing is stored: what was sent before anyone listened never arrives.
TEST(NotifyAdapter, CallsWithoutReceiverAreLost)
{
    Notify_Adapter& adapter = Notify_Adapter::GetInstance();
    adapter.UpdateDialogText("unheard");
    adapter.UpdateProgress(9, 9);
    QCoreApplication::processEvents();

    QSignalSpy progress(&adapter, &Notify_Adapter::sigUpdateProgress);
    QSignalSpy texts(&adapter, &Notify_Adapter::sigUpdateDialogText);
    adapter.UpdateProgress(3, 1);
    QCoreApplication::processEvents();
    ASSERT_EQ(1, progress.count());
    EXPECT_EQ(QVariantList({3, 1}), progress.at(0));
    EXPECT_EQ(0, texts.count());
}

// The receiver lives on a thread of its own; the calls come from the main
// thread and must arrive there one by one, in call order.
TEST(NotifyAdapter, ReceiverOnAnotherThreadGetsEveryCallInOrder)
{
    QThread thread;
    ProgressRecorder receiver;
    receiver.moveToThread(&thread);
    receiver.Listen();
    thread.start();

    Notify_Adapter& adapter = Notify_Adapter::GetInstance();
    QStringList expected = {"text:t", "progress:4/1", "progress:4/2"};
    adapter.UpdateDialogText("t");
    adapter.UpdateProgress(4, 1);
    adapter.UpdateProgress(4, 2);
    for (int i = 1; i <= 500; ++i) {
        adapter.UpdateDialogText(QString::number(i));
        adapter.UpdateProgress(500, i);
        expected << "text:" + QString::number(i) << QString("progress:500/%1").arg(i);
    }

    // Stopping the thread's event loop after the queue drains keeps the
    // events list from being read while it is still being written.
    QMetaObject::invokeMethod(&receiver, [&] { thread.quit(); }, Qt::QueuedConnection);
    ASSERT_TRUE(thread.wait(30000));
    EXPECT_EQ(expected.join(" | ").toStdString(), receiver.Joined());
    EXPECT_FALSE(receiver.wrong_thread);
    QObject::disconnect(&adapter, nullptr, &receiver, nullptr);
}

// The launcher's arrangement: calls on the worker, receiver on the main thread.
TEST(NotifyAdapter, CallsFromAWorkerArriveQueuedOnTheMainThread)
{
    ProgressRecorder receiver;
    receiver.Listen();
    QThread* worker = QThread::create([] {
        Notify_Adapter& adapter = Notify_Adapter::GetInstance();
        adapter.UpdateDialogText("Preparing");
        adapter.UpdateProgress(4, 1);
        adapter.UpdateProgress(4, 2);
    });
    worker->start();
    worker->wait();
    delete worker;
    // Queued, so nothing has run before the main thread's loop turns.
    EXPECT_TRUE(receiver.events.isEmpty());
    ASSERT_TRUE(WaitFor([&] { return receiver.events.size() >= 3; }));
    EXPECT_EQ("text:Preparing | progress:4/1 | progress:4/2", receiver.Joined());
    EXPECT_FALSE(receiver.wrong_thread);
    QObject::disconnect(&Notify_Adapter::GetInstance(), nullptr, &receiver, nullptr);
}

} // namespace
