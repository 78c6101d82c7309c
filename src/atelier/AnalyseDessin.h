#pragma once

#include "atelier/TrouverZones.h"
#include "atelier/ZonesDessin.h"

#include <QImage>

// What the teacher sets for turning a drawing into zones.
struct ReglagesAnalyse {
    int seuil = 128;     // a pixel darker than this is a line
    int poussieres = 12; // groups of line pixels smaller than this are specks
    ReglagesZones zones;
};

struct DessinAnalyse {
    QImage trait; // black on white, Format_RGB888
    ZonesDessin zones;
};

// The whole analysis of a drawing in grey (ChargerDessin's result): threshold, specks, zones.
DessinAnalyse AnalyserDessin(const QImage &gris, const ReglagesAnalyse &reglages);
