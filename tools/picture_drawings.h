#pragma once
// The small drawings that make up the picture strips. Each one paints a
// single cell of kCellWidth x kCellHeight pixels, origin at its top-left.

#include <functional>

class QPainter;

namespace drawings {

constexpr int kCellWidth = 132;
constexpr int kCellHeight = 136;

using Drawing = std::function<void(QPainter&)>;

Drawing analogClock(int hour, int minute);
Drawing digitalClock(int hour, int minute);
Drawing calendarPage(int month, int day);
Drawing bookWithPrice(int yuan);
Drawing tickets(int count);
Drawing doorNumber(int number);

void sun(QPainter& p);
void rain(QPainter& p);
void snow(QPainter& p);
void clouds(QPainter& p);

void bicycle(QPainter& p);
void bus(QPainter& p);
void taxi(QPainter& p);
void train(QPainter& p);

void hospital(QPainter& p);
void school(QPainter& p);
void house(QPainter& p);
void shop(QPainter& p);

void wristwatch(QPainter& p);
void mobilePhone(QPainter& p);
void glasses(QPainter& p);
void key(QPainter& p);

void coffee(QPainter& p);
void milk(QPainter& p);
void tea(QPainter& p);
void juice(QPainter& p);

void basketball(QPainter& p);
void football(QPainter& p);
void tableTennis(QPainter& p);
void swimming(QPainter& p);

void dog(QPainter& p);
void bird(QPainter& p);
void cat(QPainter& p);
void fish(QPainter& p);

void apples(QPainter& p);
void bananas(QPainter& p);
void grapes(QPainter& p);
void watermelon(QPainter& p);

void trousers(QPainter& p);
void shirt(QPainter& p);
void skirt(QPainter& p);
void hat(QPainter& p);

} // namespace drawings
