#pragma once

#include "platform/SystemServices.h"

#include <QObject>

namespace brevmark {

// Desktop services through Qt. The print key is tracked from the key events the application
// receives, so it only counts while one of the program's windows has the focus.
class QtSystemServices : public QObject, public SystemServices {
    Q_OBJECT
public:
    explicit QtSystemServices(QObject* parent = nullptr);

    QSizeF screenSizeTwips() const override;
    QStringList screenFonts() const override;
    bool isPrintKeyDown() const override;
    int printKeyPresses() const override { return printKeyPresses_; }
    void beep() override;
    QDateTime now() const override;
    double random() override;
    bool openInBrowser(const QUrl& url) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool printKeyDown_ = false;
    int printKeyPresses_ = 0;
};

} // namespace brevmark
