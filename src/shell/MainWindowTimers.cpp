#include "shell/MainWindowTimers.h"

#include "platform/Timer.h"

namespace brevmark {

MainWindowTimers::MainWindowTimers(QObject* owner)
    : arrangeWindow(new Timer(QStringLiteral("排列視窗位置"), 200, owner)),
      enlargeWindow(new Timer(QStringLiteral("視窗放大"), 200, owner)),
      printHotKey(new Timer(QStringLiteral("列印熱鍵"), 300, owner)),
      updateQuery(new Timer(QStringLiteral("更新查詢"), 1000, owner)),
      loginWait(new Timer(QStringLiteral("登入等待"), 5000, owner)),
      expandWindow(new Timer(QStringLiteral("視窗展開"), 15, owner)),
      shrinkWindow(new Timer(QStringLiteral("視窗縮關"), 15, owner)),
      readRecords(new Timer(QStringLiteral("讀條碼檔"), 200, owner)),
      runLater(new Timer(QStringLiteral("稍後執行"), 1000, owner)),
      endDisplay(new Timer(QStringLiteral("終點顯示"), 200, owner)) {}

} // namespace brevmark
