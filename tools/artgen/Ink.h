#pragma once

#include "Color.h"

// The house palette: every painter takes its colours from here so the pictures stay on-model.
struct Ink {
    static constexpr Color outline = Color::hex(0x143247);

    static constexpr Color body = Color::hex(0x3FBF9F);
    static constexpr Color bodyShade = Color::hex(0x2B9283);
    static constexpr Color bodyRim = Color::hex(0x9BEBCF);
    static constexpr Color farLimb = Color::hex(0x2B9283);
    static constexpr Color farLimbShade = Color::hex(0x1F7066);
    static constexpr Color belly = Color::hex(0xE4F7C6);
    static constexpr Color bellyLine = Color::hex(0xBFE0A6);
    static constexpr Color crest = Color::hex(0xFFB547);
    static constexpr Color crestShade = Color::hex(0xE98A2B);
    static constexpr Color eyeWhite = Color::hex(0xFFFFFF);
    static constexpr Color eyeShade = Color::hex(0xD2E6EE);
    static constexpr Color catchlight = Color::hex(0xFFFFFF);
    static constexpr Color cheek = Color::hex(0xF79AA8);
    static constexpr Color mouth = Color::hex(0x7A2340);
    static constexpr Color tongue = Color::hex(0xF2707F);

    static constexpr Color water = Color::hex(0x47A6EA);
    static constexpr Color waterShade = Color::hex(0x2A75C2);
    static constexpr Color ripple = Color::hex(0xA8E4FB);
    static constexpr Color foam = Color::hex(0xEAF9FF);
    static constexpr Color underwater = Color::hex(0x2A6FB8);

    static constexpr Color fishBody = Color::hex(0xFF8A3A);
    static constexpr Color fishShade = Color::hex(0xE0601E);
    static constexpr Color fishHighlight = Color::hex(0xFFD28C);
    static constexpr Color fishFin = Color::hex(0xFFCB45);
    static constexpr Color fishBelly = Color::hex(0xFFE3B8);

    static constexpr Color maskHoop = Color::hex(0xFF6B5A);
    static constexpr Color lensTint = Color::hex(0xBDEEFF, 0.28);
    static constexpr Color netStick = Color::hex(0xC98A4E);
    static constexpr Color netMesh = Color::hex(0xF4FBFF);
    static constexpr Color netMeshLine = Color::hex(0x8FB4C8);

    static constexpr Color sand = Color::hex(0xF5D58E);
    static constexpr Color sandShade = Color::hex(0xDDB15C);
    static constexpr Color palmLeaf = Color::hex(0x5CC04C);
    static constexpr Color palmTrunk = Color::hex(0xB97B45);

    static constexpr Color clubHead = Color::hex(0xAEBAC6);
    static constexpr Color clubShaft = Color::hex(0xD5DEE6);
    static constexpr Color clubGrip = Color::hex(0xE0524A);
    static constexpr Color grass = Color::hex(0x7ED35F);
    static constexpr Color grassShade = Color::hex(0x4FA843);
    static constexpr Color cup = Color::hex(0x0A1F14);
    static constexpr Color golfBall = Color::hex(0xFFFFFF);
    static constexpr Color dimple = Color::hex(0xC8D6E0);

    static constexpr Color bubble = Color::hex(0xC9F1FF);

    static constexpr Color panelTop = Color::hex(0x0E2C5A);
    static constexpr Color panelBottom = Color::hex(0x061633);

    // Not a picture colour: marks pixels outside the outline in the bitmaps.
    static constexpr Color background = Color::hex(0xFF00FF);
};
