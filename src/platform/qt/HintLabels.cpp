#include "platform/qt/HintLabels.h"

#include <QLabel>

namespace brevmark {

HintLabels createHintLabels(QWidget* window) {
    HintLabels labels;
    labels.shadow = new QLabel(window);
    labels.shadow->setObjectName(QStringLiteral("說明提示2"));
    labels.text = new QLabel(window);
    labels.text->setObjectName(QStringLiteral("說明提示"));
    for (QLabel* label : {labels.shadow, labels.text}) {
        QFont f = label->font();
        f.setPixelSize(12);
        label->setFont(f);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    labels.text->setStyleSheet(QStringLiteral("color: rgb(226, 236, 248);"));
    labels.shadow->setStyleSheet(QStringLiteral("color: rgb(6, 14, 26);"));
    return labels;
}

} // namespace brevmark
