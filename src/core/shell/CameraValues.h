#pragma once

namespace quorvane {

// Where the designer's eye stands and how wide it sees. Scene units are centimetres.
struct CameraValues {
    double CameraDistance = 150.0; // horizontal distance of the eye from the origin
    double CameraHeight = 75.2;    // height of the eye above the floor
    double CameraAngle = 31.0;     // turn of the paper about the vertical axis, degrees
    double FieldOfView = 15.0;     // vertical opening angle, degrees

    bool operator==(const CameraValues&) const = default;
};

} // namespace quorvane
