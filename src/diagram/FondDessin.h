#pragma once

#include "common/Couleur.h"
#include "diagram/SchemaCinematique.h"

#include <QImage>
#include <QString>
#include <variant>

// The drawing background of a diagram exercise whose background is the drawing: "trame.bmp" and
// "plan.bmp" of its folder read and tinted in the class colours (ConstruireFondDessin), or the French
// reason they cannot be used.
std::variant<QImage, QString> LireFondDessin(const SchemaCinematique &schema, Rvb surface);
