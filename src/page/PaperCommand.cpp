#include "page/PaperCommand.h"

#include "page/PageModel.h"

namespace brevmark {

PaperCommand::PaperCommand(PageModel& model, Paper after, const QString& text)
    : PageCommand(model, text), before_{model.page().paperSize, model.page().orientation},
      after_(after) {}

void PaperCommand::redo() {
    model_.setPaper(after_.size, after_.orientation);
}

void PaperCommand::undo() {
    model_.setPaper(before_.size, before_.orientation);
}

} // namespace brevmark
