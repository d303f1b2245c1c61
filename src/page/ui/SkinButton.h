#pragma once

#include <QAbstractButton>
#include <QFont>
#include <functional>
#include <optional>

namespace brevmark {

// A self-drawn button of the editor's panels with normal, hover, pressed and checked looks.
// Push buttons show a caption or an icon; check and option buttons show a box or a pill. Tab
// reaches it and draws a ring around it; Space presses it.
class SkinButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Kind { Push, Check, Option, Close };
    // Draws an icon into a rectangle in the given colour.
    using IconPainter = std::function<void(QPainter&, const QRectF&, const QColor&)>;

    // `index` >= 0 is stored in the dynamic property "index" (control arrays share one name).
    SkinButton(Kind kind, const QString& objectName, const QString& caption, QWidget* parent,
               int index = -1);

    void setIconPainter(IconPainter painter);
    void setAccent(const QColor& accent);
    // The font of a push button's caption (the panels' small font unless set).
    void setCaptionFont(const QFont& font);
    bool isHovered() const { return hovered_; }
    int index() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintPush(QPainter& p, const QRectF& r);
    void paintCheck(QPainter& p, const QRectF& r);
    void paintOption(QPainter& p, const QRectF& r);
    void paintClose(QPainter& p, const QRectF& r);

    Kind kind_;
    IconPainter icon_;
    QColor accent_;
    std::optional<QFont> captionFont_;
    bool hovered_ = false;
};

} // namespace brevmark
