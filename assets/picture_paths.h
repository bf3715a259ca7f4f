#pragma once

#include <QString>

// Where the embedded pictures live once a target links zumbilo_pictures.
namespace zumbilo::pictures {

enum class Hand { Paper, Scissors, Rock };

// The player's hands enter from the left; the computer's are their mirror images.
enum class Side { Player, Computer };

QString handPath(Hand hand, Side side);
QString logoPath();
QString iconPath();

}  // namespace zumbilo::pictures
