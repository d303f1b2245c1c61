#pragma once

#include "EditorTestServices.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "page/ui/SkinButton.h"
#include "support/PageModelEdits.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace brevmark::test {

// Twips to the pixels the widgets use.
inline QPoint px(double x, double y) {
    return QPoint(int(x / 15), int(y / 15));
}

// A professional-layout window of 12090 x 7470 twips with its viewport inside the frame and a
// page editor on it, driven as a user drives it: mouse and keys on controls found by name.
class EditorWindowFixture : public ::testing::Test {
protected:
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QWidget* viewport = new QWidget(window.get());
    EditorTestServices host;
    std::unique_ptr<PageEditor> editor;

    // Lays out the window and makes the editor; `prepare` runs before the window is shown.
    void openEditor(const std::function<void(PageEditor&)>& prepare = {}) {
        window->resize(806, 498);
        viewport->setObjectName(QStringLiteral("新增載入窗"));
        viewport->setGeometry(10, 30, 780, 440);
        editor = std::make_unique<PageEditor>(viewport, window.get(), host.services());
        editor->setLayoutMode(LayoutMode::Professional);
        if (prepare)
            prepare(*editor);
        window->show();
        editor->paperAdjust();
    }

    template <typename T = QWidget> T* control(const char* name, int index = -1) const {
        for (T* w : window->findChildren<T*>(QString::fromUtf8(name)))
            if (index < 0 || w->property("index").toInt() == index)
                return w;
        return nullptr;
    }
    PageWidget* page() const { return control<PageWidget>("列印範圍"); }
    BarcodeItemWidget* item(int index) const {
        return control<BarcodeItemWidget>("條碼項目", index);
    }

    // A pointer move with fractional pixels, so that any twip distance can be reached.
    static void moveTo(QWidget* w, QPointF pixels, Qt::MouseButtons buttons) {
        QMouseEvent move(QEvent::MouseMove, pixels, w->mapToGlobal(pixels), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }

    // Typing: ASCII key by key, any other text as an input method commits it (as Chinese is
    // typed).
    static void typeText(QWidget* box, const QString& text) {
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii) {
            QTest::keyClicks(box, text);
            return;
        }
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
    }
    // Typing over the whole text of a box.
    static void retype(QLineEdit* box, const QString& text) {
        box->selectAll();
        typeText(box, text);
    }

    // Right click on the empty page at a page position (twips), then the add-blank button.
    int addItemAt(double x, double y) {
        QTest::mousePress(page(), Qt::RightButton, {}, px(x, y));
        QTest::mouseRelease(page(), Qt::RightButton, {}, px(x, y));
        auto* add = control<SkinButton>("增加條碼鈕", 0);
        EXPECT_TRUE(add && add->isVisible());
        QTest::mouseClick(add, Qt::LeftButton);
        return editor->model().currentItem;
    }
};

} // namespace brevmark::test
