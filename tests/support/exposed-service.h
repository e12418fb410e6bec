#ifndef HALVORA_EXPOSED_SERVICE_H
#define HALVORA_EXPOSED_SERVICE_H

#include "halvora-service.h"

namespace testsupport {

// A Service for tests of its platform-neutral steps: the platform operations
// do nothing, and the protected steps and fields are public.
class ExposedService : public Service {
public:
    void StopService() override {}
    int HandlePackageUpgrade() override { return 0; }
    void PostUpgrade() override {}
    void PreUpgrade() override {}
    bool IsNeedUpgrade() override { return false; }

    using Service::ExtractPackage;
    using Service::FSCopyPath;
    using Service::LoadSourceVersion;
    using Service::LoadTargetVersion;
    using Service::PrepareUserEnv;
    using Service::per_user_install_path;
    using Service::source_version;
    using Service::target_version;
    using Service::timeout;
};

} // namespace testsupport

#endif
