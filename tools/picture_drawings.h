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
Drawing cupsWithPrice(int yuan);
Drawing busNumber(int number);
Drawing tickets(int count);
Drawing doorNumber(int number);

void sun(QPainter& p);
void rain(QPainter& p);
void snow(QPainter& p);
void clouds(QPainter& p);
void wind(QPainter& p);

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

void airplane(QPainter& p);
void car(QPainter& p);
void restaurant(QPainter& p);
void bank(QPainter& p);

void noodles(QPainter& p);
void rice(QPainter& p);
void fishDish(QPainter& p);
void dumplings(QPainter& p);

void horse(QPainter& p);
void panda(QPainter& p);
void sheep(QPainter& p);

void cinema(QPainter& p);
void washingClothes(QPainter& p);
void sleepingInBed(QPainter& p);
void reading(QPainter& p);

void catUnderTable(QPainter& p);
void catOnChair(QPainter& p);
void catInBox(QPainter& p);
void catAsleepOnBed(QPainter& p);
Drawing chairs(int count);

void waterBottle(QPainter& p);
void books(QPainter& p);
void umbrella(QPainter& p);

void television(QPainter& p);
void fridge(QPainter& p);
void computer(QPainter& p);

void shoes(QPainter& p);
void coat(QPainter& p);

} // namespace drawings
