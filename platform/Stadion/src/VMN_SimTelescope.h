#pragma once
// The simulated telescope as the instrument's sensors read it: the true direction of the line of
// sight (the simulator settings Telescope/Hz and Telescope/V) plus the effect of each true
// adjustment error in the face the telescope is in, plus measurement noise.

namespace VMN {
namespace SIM {

struct FaceReadingS
{
    bool bFaceOne = true;
    // Radians; Hz and V in 0 to 2 pi, V the zenith angle.
    double dHz = 0.0;
    double dV = 0.0;
    // The compensator's inclinations.
    double dL = 0.0;
    double dT = 0.0;
    // The target recognition's offsets from the line of sight.
    double dAtrHz = 0.0;
    double dAtrV = 0.0;
};

FaceReadingS readFace();
// The compensator reads the tilt (it is within its range).
bool isLevel();
// Turns the telescope to the other face on the same target.
bool changeFace();

} // namespace SIM
} // namespace VMN
