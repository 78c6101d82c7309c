#pragma once

#include "atelier/AnalyseDessin.h"

class FichierIni;
class IniAtelier;

// How the workshop read a mechanism's drawing, kept in its descriptor so that reading the sheet again starts
// from the teacher's settings. A value missing or out of its range gives the default.
void EcrireReglages(IniAtelier &descripteur, const ReglagesAnalyse &reglages);
ReglagesAnalyse LireReglages(const FichierIni &descripteur);
