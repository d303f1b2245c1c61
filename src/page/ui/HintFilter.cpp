#include "page/ui/HintFilter.h"

#include <QEvent>
#include <QWidget>

namespace brevmark {

HintFilter::HintFilter(HintSink sink, QObject* parent) : QObject(parent), sink_(std::move(sink)) {}

void HintFilter::attach(QWidget* control, HintSource source) {
    control->setMouseTracking(true);
    control->installEventFilter(this);
    sources_.insert(control, std::move(source));
    connect(control, &QObject::destroyed, this, [this](QObject* gone) { sources_.remove(gone); });
}

bool HintFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        const auto it = sources_.constFind(watched);
        if (it != sources_.constEnd())
            sink_((*it)());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brevmark
