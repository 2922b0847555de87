#pragma once

#include "Canvas.h"
#include "CharacterPainter.h"
#include "Point.h"

#include <vector>

// The whole character: torso with belly plate and back spikes, four flippers, tail with its fin, the long
// neck and the head, optionally with the diving mask and the fishing net. Poses are given in frame pixels
// so each frame can place every part where its animation needs it.
class BodyPainter {
public:
    struct Limb {
        Point anchor; // inside the torso
        Point tip;
    };

    struct Net {
        bool shown = false;
        Point hoop;          // centre of the hoop
        double bagAngle = 0; // direction from the hoop to the bottom of the bag, radians
        double radius = 11;
        double squash = 0.5; // the hoop seen at an angle: minor over major axis
        int fishKind = -1;   // a catch showing its head above the rim
        bool fishFacingRight = true;
    };

    struct Pose {
        Point torso;
        double axis = -M_PI / 2;    // direction from the torso's centre to the neck
        bool bellyClockwise = true; // belly on the side the axis turns to clockwise (right when upright)
        std::vector<Point> neck;    // from inside the torso to where the head sits
        std::vector<Point> tail;    // from inside the torso to the fin
        Limb farArm, farLeg, nearLeg, nearArm;
        CharacterPainter::Pose face;
        double headTilt = 0;
        Net net;
    };

    // A point given in the torso's own frame: u along the axis towards the neck, v towards the belly.
    static Point local(const Pose& pose, double u, double v);
    // Where the net's stick ends in the hand.
    static Point hand(const Pose& pose) { return pose.nearArm.tip; }

    void paint(Canvas& canvas, const Pose& pose) const;
    // Only the net: hoop, bag, stick and any catch (the parts of a frame that must reach a catch box).
    void paintNet(Canvas& canvas, const Pose& pose) const;

private:
    void paintLimb(Canvas& canvas, const Limb& limb, bool far) const;
    void paintTail(Canvas& canvas, const Pose& pose) const;
    void paintNeck(Canvas& canvas, const Pose& pose) const;
    void paintTorso(Canvas& canvas, const Pose& pose) const;
    void paintHead(Canvas& canvas, const Pose& pose) const;
};
