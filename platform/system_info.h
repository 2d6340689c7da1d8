// Starting the desktop's system-information program, for the About box's "System Info" button.
#pragma once

namespace zandor {

class SystemInfoLauncher {
public:
    virtual ~SystemInfoLauncher() = default;
    // Starts the program detached and returns at once; false when none is found or it fails
    // to start.
    virtual bool start() = 0;
};

} // namespace zandor
