#pragma once

#include "demo/DemoPlan.h"

#include <QColor>

// Day or night light on the demo scenes: surfaces lit by the scene's light,
// lamps at their own brightness.
class SceneLighting {
public:
    explicit SceneLighting(bool night) : night_(night) {}

    bool Night() const { return night_; }
    // A surface of this day colour as the camera sees it.
    QColor Surface(int red, int green, int blue) const;
    QColor Surface(const DemoColour& colour) const { return Surface(colour.Red, colour.Green, colour.Blue); }
    // A lamp: the same by day and by night.
    static QColor Lamp(int red, int green, int blue, int alpha = 255) { return {red, green, blue, alpha}; }

private:
    bool night_;
};
