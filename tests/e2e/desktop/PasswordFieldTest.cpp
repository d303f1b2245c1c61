// The settings window's password field (密碼) takes only what can be typed back at the lock
// screen, whatever way the text comes in: keys, the paste keys, a middle-click paste of the X
// primary selection, a drag from another window. What its save stores is exactly what the field
// shows. The texts come from xclip and from a window of the test's own, as another program's.
#include "DesktopProgram.h"

#include <QDrag>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace brevmark;
using namespace brevmark::test;

namespace {

// A text the lock screen could never take: an emoji code page 950 lacks and a double quote.
const QString untypable = QStringLiteral("ab😀\"c");

// Text another program offers to drag: its drag starts as the button goes down on it.
class TextDragSource : public QLabel {
public:
    using QLabel::QLabel;
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setText(text());
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
    }
};

enum class Route { Keys, CtrlV, ShiftInsert, MiddleClick, Drop };

struct Entry {
    const char* name;
    Route route;
    // What the field holds afterwards.
    QString field;
};

void PrintTo(const Entry& entry, std::ostream* out) {
    *out << entry.name;
}

class PasswordField : public DesktopProgram, public ::testing::WithParamInterface<Entry> {
protected:
    // The stored form of the password in TOP.reg (the last one stored), empty when none.
    QString storedForm() const {
        const QByteArray top = folder.readRecordsFile(QStringLiteral("TOP.reg"));
        const QByteArray key = pythonCp950(QStringLiteral("\"使用密碼\",\""));
        const qsizetype at = top.lastIndexOf(key);
        if (at < 0)
            return {};
        const qsizetype from = at + key.size();
        return QString::fromLatin1(top.mid(from, top.indexOf('"', from) - from));
    }
    // Whether the stored form holds exactly this password (with the key it was stored with).
    bool storedIs(const QString& password) const {
        const QString stored = storedForm();
        return stored.size() >= 2 &&
               stored == pythonStoredPassword(password, stored.left(2).toInt(nullptr, 16));
    }

    // Drags the text of a line edit in a window of its own (another program, to the user) onto
    // the target with the real pointer.
    void dropText(QWidget* target) {
        TextDragSource source(untypable);
        source.setWindowTitle(QStringLiteral("another program"));
        source.resize(240, 40);
        source.move(40, 700);
        source.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&source));
        user_input::drag(&source, QPoint(10, 20), target, QPoint(20, target->height() / 2));
        QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::mouseButtons(), 5000);
    }
};

TEST_P(PasswordField, StoresOnlyWhatCanBeTypedBack) {
    const Entry& row = GetParam();
    open();
    QPointer<QWidget> settings = openSettings();
    ASSERT_TRUE(settings);
    auto* field = child<QLineEdit>(settings, "密碼");
    auto* save = child<QPushButton>(settings, "儲存");
    ASSERT_TRUE(field && save);
    user_input::click(field, QPoint(10, field->height() / 2));
    ASSERT_TRUE(field->hasFocus());

    switch (row.route) {
    case Route::Keys:
        user_input::type(untypable);
        break;
    case Route::CtrlV:
    case Route::ShiftInsert:
        ASSERT_TRUE(x_selection::copy(untypable.toUtf8()));
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), untypable, 5000);
        user_input::key(row.route == Route::CtrlV ? QStringLiteral("ctrl+v")
                                                  : QStringLiteral("shift+Insert"));
        break;
    case Route::MiddleClick:
        ASSERT_TRUE(x_selection::copy(untypable.toUtf8(), QStringLiteral("primary")));
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(QClipboard::Selection),
                                  untypable, 5000);
        user_input::click(field, QPoint(20, field->height() / 2), Qt::MiddleButton);
        break;
    case Route::Drop:
        dropText(field);
        break;
    }
    EXPECT_EQ(field->text(), row.field);

    // The save, when the field offers it: what is stored is what the field shows, nothing else.
    if (save->isEnabled())
        user_input::click(save, save->rect().center());
    if (row.field.isEmpty()) {
        EXPECT_EQ(storedForm(), QString());
        EXPECT_TRUE(boxes.boxes().isEmpty());
        EXPECT_EQ(control.endings, 0);
    } else {
        EXPECT_TRUE(storedIs(row.field)) << storedForm().toStdString();
        EXPECT_EQ(boxes.titles(), QStringList{QStringLiteral("完成提示")});
        EXPECT_EQ(control.endings, 1) << "a new password ends the program";
    }
}

const Entry entries[] = {
    {"TypedKeys", Route::Keys, QStringLiteral("abc")},
    {"CtrlV", Route::CtrlV, QString()},
    {"ShiftInsert", Route::ShiftInsert, QString()},
    {"MiddleClickOfThePrimarySelection", Route::MiddleClick, QString()},
    {"DropFromAnotherWindow", Route::Drop, QString()},
};

INSTANTIATE_TEST_SUITE_P(Routes, PasswordField, ::testing::ValuesIn(entries),
                         [](const ::testing::TestParamInfo<Entry>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
