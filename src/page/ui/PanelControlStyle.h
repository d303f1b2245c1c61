#pragma once

#include <QString>

namespace brevmark {

// Style sheets that give the text boxes, lists and choice boxes of the format and layout panels
// the look of the editor's other panels (PanelSkin's accent and ink).
class PanelControlStyle {
public:
    static QString lineEdit() {
        return QStringLiteral("QLineEdit{border:1px solid #bec8d8;border-radius:5px;padding:0 6px;"
                              "background:white;color:#2c3442;selection-background-color:#2f6fed;}"
                              "QLineEdit:focus{border:1px solid #2f6fed;}");
    }
    static QString list() {
        return QStringLiteral(
            "QListWidget{border:1px solid #bec8d8;border-radius:5px;background:white;"
            "color:#2c3442;padding:2px;outline:none;}"
            "QListWidget:focus{border:1px solid #2f6fed;}"
            "QListWidget::item{padding:1px 4px;border-radius:3px;}"
            "QListWidget::item:hover{background:#e8effd;}"
            "QListWidget::item:selected{background:#2f6fed;color:white;}");
    }
    static QString comboBox() {
        return QStringLiteral("QComboBox{border:1px solid #bec8d8;border-radius:5px;padding:0 6px;"
                              "background:white;color:#2c3442;}"
                              "QComboBox:focus,QComboBox:hover{border-color:#2f6fed;}"
                              "QComboBox::drop-down{border:none;width:20px;}");
    }
};

} // namespace brevmark
