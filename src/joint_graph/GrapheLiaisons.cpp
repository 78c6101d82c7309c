#include "joint_graph/GrapheLiaisons.h"

#include <stdexcept>

namespace {

std::size_t indice(int n, int capacite, const char *quoi)
{
    if (n < 1 || n > capacite)
        throw std::out_of_range(quoi);
    return static_cast<std::size_t>(n - 1);
}

} // namespace

bool GrapheLiaisons::DefinirNbrCe(std::int32_t nombre)
{
    if (nombre < 0 || nombre > NbrCeMax)
        return false;
    nbrCe_ = nombre;
    return true;
}

bool GrapheLiaisons::DefinirNbrLiaison(std::int32_t nombre)
{
    if (nombre < 0 || nombre > NbrLiaisonMax)
        return false;
    nbrLiaison_ = nombre;
    return true;
}

TCe &GrapheLiaisons::Ce(int n) { return ce_[indice(n, NbrCeMax, "class number out of range")]; }

const TCe &GrapheLiaisons::Ce(int n) const { return ce_[indice(n, NbrCeMax, "class number out of range")]; }

TLiaison &GrapheLiaisons::Liaison(int n) { return liaison_[indice(n, NbrLiaisonMax, "joint number out of range")]; }

const TLiaison &GrapheLiaisons::Liaison(int n) const
{
    return liaison_[indice(n, NbrLiaisonMax, "joint number out of range")];
}

void GrapheLiaisons::CeInitialisation() { ce_.fill(TCe{}); }

void GrapheLiaisons::LiaisonInitialisation()
{
    nbrLiaison_ = 0;
    for (int n = 1; n <= NbrLiaisonMax; ++n)
        LiaisonInitialisationUnitaire(n);
}

void GrapheLiaisons::LiaisonInitialisationUnitaire(int n) { Liaison(n) = TLiaison{}; }

int GrapheLiaisons::AjouterLiaison()
{
    if (nbrLiaison_ >= NbrLiaisonMax)
        return 0;
    ++nbrLiaison_;
    LiaisonInitialisationUnitaire(nbrLiaison_);
    return nbrLiaison_;
}

void GrapheLiaisons::DetruireLiaison(int n)
{
    if (n < 1 || n > nbrLiaison_)
        throw std::out_of_range("joint number out of range");
    for (int k = n; k < nbrLiaison_; ++k)
        Liaison(k) = Liaison(k + 1);
    LiaisonInitialisationUnitaire(nbrLiaison_);
    --nbrLiaison_;
}
