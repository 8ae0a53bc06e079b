#pragma once

#include "common/controlli.h"

namespace vantrel {

// clang-format off

// The controls of the "calcolo T.E.G. " tab of the calculation window `Taeg`
#define VANTREL_CONTROLLI_TEG(X)                                                                                       \
    X(schede, "SSTab1")                                                                                                \
    X(dataInizio, "dal") X(dataFine, "al") X(anno, "Combo1") X(categoria, "Combo2")                                    \
    X(primoTrimestre, "Command2") X(secondoTrimestre, "Command3") X(terzoTrimestre, "Command4")                        \
    X(quartoTrimestre, "Command5") X(primoSemestre, "Command7") X(secondoSemestre, "Command10")                        \
    X(annoIntero, "Command6") X(calcolaGiorni, "Command8")                                                             \
    X(giorni, "Giorni") X(numeriDebitori, "NumeriD") X(indebitamentoMedio, "IndMedio")                                 \
    X(interessiDare, "intDare") X(cmsInteressi, "ComMS") X(altriInteressi, "extrafido") X(totaleInteressi, "totInt")   \
    X(spese, "speseN") X(cmsSpese, "ComMS2") X(altriOneri, "ASpese") X(totaleSpese, "tspe")                            \
    X(totaleInteressiSpese, "SpeInt") X(spostaCms, "cmscop")                                                           \
    X(accordatoIndebitamento, "Option2") X(accordatoFido, "Option1a") X(fido, "fido") X(accordato, "Acc")              \
    X(lire, "Lira") X(euro, "euro")                                                                                    \
    X(vecchiaNorma, "Option3") X(nuovaNorma, "Option4") X(normaPerData, "Option5")                                     \
    X(formulaInteressi, "totint2") X(formulaNumeri, "indMed2") X(formulaGiorniAnno, "ga")                              \
    X(formulaSpese, "TotalSpese") X(formulaCento, "cento") X(formulaPiu, "LblPiu")                                     \
    X(formulaEtichettaSpese, "LblTotaleSpese") X(formulaEtichettaAccordato, "LblAccordato") X(formulaPer, "LblPer2")   \
    X(formulaLineaSpese, "LineaSpese") X(formulaLineaGlobale, "Line28") X(formulaUguale, "LblUguale")                  \
    X(formulaRisultato, "LblRisultato") X(teg, "TegTXT")                                                               \
    X(tegInteressi, "IntSc") X(tegCms, "CMSc") X(tegAltriInteressi, "ECCSC") X(tegSpese, "SpeseSc")                    \
    X(tegAltriOneri, "OneriSc") X(sommaParziali, "SommaParziali") X(tegVociInteressi, "TInt")                          \
    X(tegVociSpese, "TSpes") X(lineaCmsInteressi, "Line22") X(lineaCmsSpese, "Line27")                                 \
    X(mediaTassiMediClasse1, "TSM") X(mediaSoglieClasse1, "TUM") X(mediaTassiMediClasse2, "TSM2")                      \
    X(mediaSoglieClasse2, "TUM2")                                                                                      \
    X(soglia, "soglia") X(supero, "Diff") X(classeSoglia, "ClasseSoglia")                                              \
    X(calcolaBancaItalia, "OK") X(calcolaGlobale, "Command9") X(creaReport, "via")                                     \
    X(creaReportTabellare, "SSCommand2")
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliTeg, VANTREL_CONTROLLI_TEG)

/// The rate grid of the year on the same tab: for each class of amount (first, second, third) and
/// quarter, the average rate (TS1..TS4, TS1b..TS4b, TS1c..TS4c) and its threshold (TU1..TU4, ...).
struct GrigliaTassi {
    int tassiMedi[3][4];
    int soglie[3][4];
    explicit GrigliaTassi(const Schema& s);
    /// The control's name of a cell: `soglia` false for the average rate.
    static std::string nome(bool soglia, int classe, int trimestre);
};

} // namespace vantrel
