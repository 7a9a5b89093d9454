// Scenes.h: the ten built-in puzzle pictures, each painted from scratch at 800 x 600.
#pragma once

#include <QImage>

namespace Scenes {

constexpr int Width = 800;
constexpr int Height = 600;

QImage mountainLake();
QImage coralReef();
QImage nightCity();
QImage autumnForest();
QImage flowerMeadow();
QImage balloons();
QImage lighthouse();
QImage roseWindow();
QImage desertCanyon();
QImage spaceScene();

} // namespace Scenes
