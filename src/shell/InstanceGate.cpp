#include "shell/InstanceGate.h"

#include "platform/SingleInstance.h"
#include "shell/FolderWarning.h"

namespace brevmark {

std::optional<int> InstanceGate::check(SingleInstance& instance, MessageBoxes& messages,
                                       const QString& programFolder) {
    switch (instance.acquire()) {
    case SingleInstance::Outcome::Acquired:
        return std::nullopt;
    case SingleInstance::Outcome::OtherCopyRuns:
        return 0;
    case SingleInstance::Outcome::FolderNotWritable:
        FolderWarning::showUnwritable(messages, programFolder);
        return 1;
    }
    return 1;
}

} // namespace brevmark
