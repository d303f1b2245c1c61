#pragma once

#include "page/PageCommand.h"
#include "page/PaperTable.h"

#include <cstdint>

namespace brevmark {

// Chooses the paper size or the orientation of the sheet.
class PaperCommand : public PageCommand {
public:
    struct Paper {
        PaperSize size = PaperSize::A4;
        std::int16_t orientation = 0;
    };

    PaperCommand(PageModel& model, Paper after, const QString& text);
    void redo() override;
    void undo() override;

private:
    Paper before_;
    Paper after_;
};

} // namespace brevmark
