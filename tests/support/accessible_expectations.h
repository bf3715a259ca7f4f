#pragma once

#include <string>
#include <vector>

// What assistive technology meets in the main window at three moments of a
// play, the same through every window system: each child in reading order as
// "name|role", with "|press" where a press would click it. Roles are named as
// AT-SPI names them.
namespace accessible_expectations {

// clang-format off
// Handed over, the window brought forward.
inline const std::vector<std::string> kWelcome{
    "BIENVENIDO|StatusBar",
    "Ganadas: 0|StaticText",
    "Perdidas: 0|StaticText",
    "Panel del jugador: INICIAR|Button|press",
    "INICIAR|Button|press",
    "Panel del ordenador: REINICIAR|Button|press",
    "(REINICIAR)|Button|press"};

// After INICIAR.
inline const std::vector<std::string> kChoosing{
    "ELIGE UNA FIGURA|StatusBar",
    "Ganadas: 0|StaticText",
    "Perdidas: 0|StaticText",
    "Panel del jugador|StaticText",
    "PAPEL|Button|press",
    "TIJERAS|Button|press",
    "PIEDRA|Button|press",
    "Acerca del juego.|Button|press",
    "VS.|StaticText",
    "Panel del ordenador: REINICIAR|Button|press",
    "(REINICIAR)|Button|press"};

// The rock chosen by its key against the computer's scissors, six ticks on.
inline const std::vector<std::string> kRockBeatsScissors{
    "GANASTE|StatusBar",
    "Ganadas: 1|StaticText",
    "Perdidas: 0|StaticText",
    "Panel del jugador|StaticText",
    "Tu mano: PIEDRA|Button|press",
    "VS.|StaticText",
    "Panel del ordenador: REINICIAR|Button|press",
    "Mano del ordenador: TIJERAS|Graphic"};
inline constexpr float kScissorsDrawn = 0.9F;

// What a screen reader hears through the status line over those moments.
inline const std::vector<std::string> kHeard{
    "BIENVENIDO", "ELIGE UNA FIGURA",
    "GANASTE. El ordenador sac\xC3\xB3 TIJERAS. Ganadas: 1. Perdidas: 0"};
// clang-format on

}  // namespace accessible_expectations
