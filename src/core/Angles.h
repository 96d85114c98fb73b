#pragma once

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRadFactor = 0.017453292519943295;

double Normalise360(double x);
double NormaliseRange(double x, double max);
double AngleDistance(double a, double b);
double SignedAngleDifference(double a, double b);
double DegToRad(double x);
double RadToDeg(double x);
double SinDeg(double x);
double CosDeg(double x);
// Radians; 0 when both arguments are 0.
double Atan2(double y, double x);
