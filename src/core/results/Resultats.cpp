#include "Resultats.h"

Resultats ResultatsDesCompteurs(const CompteursLivrets& c, bool multiplicateur1a12, bool aleatoire)
{
    Resultats resultats;
    for (int i = 0; i < NbLivrets; ++i)
        resultats[i] = {multiplicateur1a12,       aleatoire ? 1 : 0,     c.NbQuestionParLivret[i],
                        c.NbQuestionEssai1[i],    c.NbQuestionEssai2[i], c.NbQuestionRéponse[i],
                        c.TempsTotalEssai1[i]};
    return resultats;
}

CompteursLivrets CompteursDesResultats(const Resultats& resultats)
{
    CompteursLivrets c;
    for (int i = 0; i < NbLivrets; ++i) {
        const ResultatLivret& r = resultats[i];
        c.NbQuestionParLivret[i] = r.NbQuestionParLivret;
        c.NbQuestionEssai1[i] = r.NbQuestionEssai1;
        c.NbQuestionEssai2[i] = r.NbQuestionEssai2;
        c.NbQuestionRéponse[i] = r.NbQuestionRéponse;
        c.TempsTotalEssai1[i] = r.TempsTotalEssai1;
    }
    return c;
}
