#include "engine/game.h"

namespace pirandella {

namespace {

const char* const tableA[50] = {
    "CORVO",   "COYOTE",  "CRICETO", "CROTALO", "DAINO",   "DELFINO", "DIKDIK",  "DINGO",
    "DONNOLA", "ECHIDNA", "FAGIANO", "FAINA",   "FARAONA", "FENNEC",  "FOLAGA",  "FURETTO",
    "GALLO",   "GATTO",   "GAZZA",   "GENETTA", "GHEPPIO", "GHIRO",   "GIBBONE", "GIPETO",
    "GIRAFFA", "GORILLA", "GRIFONE", "GRONGO",  "GRILLO",  "GUANACO", "IGUANA",  "IMPALA",
    "ISTRICE", "KOALA",   "VESPA",   "VIPERA",  "LEMMING", "LEONE",   "LEPRE",   "LINCE",
    "LONTRA",  "LUCCIO",  "MACACO",  "MAIALE",  "MAMBA",   "MANTA",   "MARTORA", "MEDUSA",
    "MERLO",   "MOSCA"};

const char* const tableB[50] = {
    "MUFLONE", "MURENA",  "NANDU",   "NASELLO", "NAUTILO", "NUTRIA",  "OKAPI",   "OPOSSUM",
    "ORANGO",  "ORATA",   "OSTRICA", "OTARIA",  "PAGURO",  "PANDA",   "PASSERO", "PATELLA",
    "PAVONE",  "PECORA",  "VISONE",  "VOLPE",   "VOMBATO", "PICCHIO", "PIRANHA", "PITONE",
    "POIANA",  "POLPO",   "PROTEO",  "QUAGLIA", "QUETZAL", "RAGNO",   "RAMARRO", "REMORA",
    "RENNA",   "RICCIO",  "RONDINE", "ROSPO",   "SALMONE", "SEPPIA",  "SPATOLA", "SQUALO",
    "STORNO",  "STRUZZO", "TACCOLA", "TALPA",   "TAPIRO",  "TASSO",   "TIGRE",   "TONNO",
    "TROTA",   "TUCANO"};

} // namespace

// Both tables are rebuilt whole on every puzzle, with the same names in the same order. The
// order is not alphabetical and decides which name a given draw picks.
void FillAnimalTables(Game& g) {
    g.animalsA.assign(std::begin(tableA), std::end(tableA));
    g.animalsB.assign(std::begin(tableB), std::end(tableB));
}

} // namespace pirandella
