#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>

namespace brevmark {

// The prompt window's size through one notice, in twips: it starts small, grows by steps to the
// picture's size, and later shrinks by steps until it is small enough to hide.
class PromptAnimation {
public:
    // Every notice picture is 272 x 72 pixels.
    static constexpr double pictureWidth = 4080;
    static constexpr double pictureHeight = 1080;
    static constexpr double startWidth = 200;
    static constexpr double startHeight = 100;
    static constexpr double restWidth = 400;
    static constexpr double restHeight = 100;

    QSizeF size() const { return {width_, height_}; }
    // Top-left corner that centres the current size on a screen of the given size.
    QPointF centredOn(QSizeF screen) const;

    // A notice begins at its start size.
    void restart();
    // One grow step; true once the picture's size is reached (the size is then exactly it).
    bool grow();
    // One shrink step; true once the window is small enough to hide (the size is then the
    // resting size).
    bool shrink();

private:
    double width_ = restWidth;
    double height_ = restHeight;
};

} // namespace brevmark
