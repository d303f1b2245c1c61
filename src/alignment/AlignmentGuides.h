#pragma once

#include "alignment/LabelTemplate.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>

namespace brevmark {

class GuidePage;
class SettingsStore;
struct PointerState;
struct SheetFormat;

// The label-sheet alignment guides: the chosen format's guide picture painted on the page's
// overlay at its stored or default offset, and the guide handle `修改對齊位置` that drags it.
// The handle carries the shown format as its tag; its left and top are the guide's offset.
// The guide is a picture on the screen's page only: printing never draws it.
class AlignmentGuides : public QObject {
    Q_OBJECT
public:
    // `pointer` is the page editor's press point and pointer-held flag, which the handle shares.
    AlignmentGuides(SettingsStore& store, GuidePage& page, PointerState& pointer,
                    std::function<void(const QString&)> setHint, QObject* parent = nullptr);

    // Choose format: erases any guide, paints this one at its offset, puts the handle there.
    // Formats other than the six do nothing.
    void choose(int format);
    // Choose a sheet of the template database: the page takes the sheet's paper, then the
    // outlines of its labels are painted as a format's guide is, at the stored offset when the
    // stored choice is this sheet, else where the template puts them; the choice is stored. False
    // (and nothing done) when the page cannot take the sheet's paper.
    bool chooseSheet(const LabelTemplate& sheet);
    // The database sheet whose guide the handle carries, or null.
    const LabelTemplate* chosenSheet() const;
    // How far the user moved that sheet's guide from where its template puts it.
    QPointF sheetShift() const;
    // The handle's tag while it carries a database sheet.
    static constexpr int databaseSheetTag = -1;

    // The handle, pointer positions in twips of the handle.
    void handlePress(QPointF at);
    void handleMove(QPointF at, bool leftButtonDown);
    // Paints the guide where the handle lies and stores that offset.
    void handleRelease();
    // Paper adjust hides the handle (it keeps its format and place).
    void hideHandle();

    int handleTag() const { return tag_; }
    QPointF handlePosition() const { return handle_; }
    bool isHandleVisible() const { return handleVisible_; }

    // The guide picture of a format (drawn once, then kept).
    const QImage& picture(const SheetFormat& format);
    // The guide picture of the chosen database sheet (drawn when it is chosen).
    const QImage& sheetPicture() const { return sheetPicture_; }

    static constexpr double dragThreshold = 30;
    static constexpr double snapToEdgeBelow = 60;
    static QString handleHint();

signals:
    // The handle moved, was shown or hidden.
    void handleChanged();

private:
    void paintGuide(const SheetFormat& format, QPointF at);
    void paintSheetGuide(QPointF at);
    void showHandle(int tag, QPointF at);
    QPointF largestOffset() const;

    SettingsStore& store_;
    GuidePage& page_;
    PointerState& pointer_;
    std::function<void(const QString&)> setHint_;
    QHash<int, QImage> pictures_;
    std::optional<LabelTemplate> sheet_;
    QImage sheetPicture_;
    int tag_ = 0;
    QPointF handle_;
    bool handleVisible_ = false;
};

} // namespace brevmark
