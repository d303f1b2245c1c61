#pragma once

#include <QString>
#include <optional>

namespace brevmark {

class MessageBoxes;
class SingleInstance;

// Whether this process may run on its program folder: while another copy runs it ends silently
// with status 0; a folder that cannot even take the lock file is no folder to work in, so that is
// reported with the folder warning and the process ends with status 1.
class InstanceGate {
public:
    // The exit status to end with, or nothing when this process goes on.
    static std::optional<int> check(SingleInstance& instance, MessageBoxes& messages,
                                    const QString& programFolder);
};

} // namespace brevmark
