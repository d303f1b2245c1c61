#pragma once

#include <QHash>
#include <QObject>
#include <functional>

namespace brevmark {

// Shows a control's hint in the hint line while the pointer is over it. The text is asked for
// at each move, so hints that depend on the control's state stay current.
class HintFilter : public QObject {
    Q_OBJECT
public:
    using HintSource = std::function<QString()>;
    using HintSink = std::function<void(const QString&)>;

    HintFilter(HintSink sink, QObject* parent);
    void attach(QWidget* control, HintSource source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HintSink sink_;
    QHash<QObject*, HintSource> sources_;
};

} // namespace brevmark
