#include "tools/datagen/wappen_bilder.h"
#include "tools/datagen/welt.h"

void Wappen_Vorlagen_Aus_Welt(const Welt& welt, Wappen_Vorlagen& vorlagen)
{
    vorlagen = {};
    std::array<int32_t, VEREINS_WAPPEN_ZAHL> stufe{};
    for (const Welt_Team& t : welt.teams) {
        if (t.art != Welt_Team_Art::Verein || t.grafik_nr < 0 || t.grafik_nr >= WAPPEN_GRAU) continue;
        const size_t n = size_t(t.grafik_nr);
        // a crest two clubs share shows the higher-placed one
        if (vorlagen[n].verein && stufe[n] <= t.liga_stufe) continue;
        Wappen_Vorlage& v = vorlagen[n];
        stufe[n] = t.liga_stufe;
        v = {};
        v.verein = true;
        for (int k = 0; k < 3; ++k) {
            v.farbe[0][k] = t.farben[0][k];  // F_TRIKOT_SPIELER
            v.farbe[1][k] = t.farben[3][k];  // F_HOSE_SPIELER
        }
        const std::string m = Wappen_Monogramm(t.name);
        for (size_t i = 0; i < 2 && i < m.size(); ++i) v.monogramm[i] = m[i];
    }
}
