#pragma once

#include "atelier/PagesMecanisme.h"

#include <QByteArray>
#include <QImage>

QByteArray OctetsPng(const QImage &image);
