#include "tools/datagen/config_writer.h"

#include <cstdio>

#include "platform/config_datei.h"
#include "platform/read_config.h"

namespace {

const char* const basis_namen[5] = {"spieler.cfg", "team.cfg", "wettbewerb.cfg", "personal.cfg",
                                    "zeitplan.cfg"};
constexpr size_t TOKEN_MAX = READ_CONFIG_TOKEN - 2;

bool trenner(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ';' || uint8_t(c) == 0xA0;
}

void fehler(Config_Writer& w, std::string text)
{
    if (w.fehler.empty()) w.fehler = std::move(text);
}

// A bare token: keywords and alias names.
bool wort_ok(Config_Writer& w, std::string_view s, const char* was)
{
    bool ok = !s.empty() && s.size() <= TOKEN_MAX;
    for (char c : s)
        if (trenner(c) || c == '"' || c == '[' || c == ']' || c == 0) ok = false;
    if (!ok) fehler(w, std::string(was) + " nicht schreibbar: '" + std::string(s) + "'");
    return ok;
}

bool text_ok(Config_Writer& w, std::string_view s)
{
    bool ok = !s.empty() && s.size() <= TOKEN_MAX;
    for (char c : s)
        if (c == '\n' || c == '\r' || c == '"' || c == '[' || c == ']' || c == 0) ok = false;
    if (!ok) fehler(w, "Text nicht schreibbar: '" + std::string(s) + "'");
    return ok;
}

void eintrag(Config_Writer& w, std::string_view schluessel, std::string_view wert)
{
    if (!wort_ok(w, schluessel, "Schluessel")) return;
    w.text.append(schluessel);
    if (!wert.empty()) {
        w.text += ' ';
        w.text.append(wert);
    }
    w.text += '\n';
}

}  // namespace

void Config_Writer_Kommentar(Config_Writer& w, std::string_view text)
{
    if (text.find_first_of("\r\n") != std::string_view::npos) {
        fehler(w, "Kommentar ueber mehrere Zeilen");
        return;
    }
    w.text += "; ";
    w.text.append(text);
    w.text += '\n';
}

void Config_Writer_Abschnitt(Config_Writer& w, std::string_view text)
{
    // Inside a section ';' would start a comment that swallows the closing bracket.
    if (text.find_first_of("[]\";\r\n") != std::string_view::npos) {
        fehler(w, "Abschnitt nicht schreibbar: '" + std::string(text) + "'");
        return;
    }
    w.text += '[';
    w.text.append(text);
    w.text += "]\n";
}

void Config_Writer_Leerzeile(Config_Writer& w) { w.text += '\n'; }

void Config_Writer_Schluessel(Config_Writer& w, std::string_view schluessel)
{
    eintrag(w, schluessel, {});
}

void Config_Writer_Zahl(Config_Writer& w, std::string_view schluessel, int32_t wert)
{
    eintrag(w, schluessel, std::to_string(wert));
}

void Config_Writer_Ja_Nein(Config_Writer& w, std::string_view schluessel, bool ja)
{
    eintrag(w, schluessel, ja ? "JA" : "NEIN");
}

void Config_Writer_Text(Config_Writer& w, std::string_view schluessel, std::string_view text)
{
    if (text_ok(w, text)) eintrag(w, schluessel, "\"" + std::string(text) + "\"");
}

void Config_Writer_Alias(Config_Writer& w, std::string_view schluessel, std::string_view name)
{
    if (wort_ok(w, name, "Alias")) eintrag(w, schluessel, "#" + std::string(name));
}

void Config_Writer_Zahlen(Config_Writer& w, std::string_view schluessel,
                          const std::vector<int32_t>& zahlen)
{
    std::string liste;
    for (size_t i = 0; i < zahlen.size(); ++i) {
        if (i) liste += ',';
        liste += std::to_string(zahlen[i]);
    }
    if (liste.empty() || liste.size() > TOKEN_MAX) {
        fehler(w, "Zahlenliste nicht schreibbar: " + std::string(schluessel));
        return;
    }
    eintrag(w, schluessel, liste);
}

void Config_Writer_Infotext(Config_Writer& w, std::string_view text)
{
    Config_Writer_Text(w, "INFOTEXT", text);
}

uint32_t Config_Writer_Summe(std::string_view text) { return Config_Text_Summe(text); }

std::string Config_Writer_Inhalt(const Config_Writer& w)
{
    if (!w.mit_summe) return w.text;
    return Config_Summenzeile(w.text, 0, "\n") + w.text;
}

bool Config_Writer_Speichern(Config_Writer& w, const std::string& pfad)
{
    if (!w.fehler.empty()) return false;
    std::string inhalt = Config_Writer_Inhalt(w);
    FILE* f = std::fopen(pfad.c_str(), "wb");
    bool ok = f && std::fwrite(inhalt.data(), 1, inhalt.size(), f) == inhalt.size();
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) fehler(w, "Kann " + pfad + " nicht schreiben");
    return ok;
}

std::string Config_Writer_Dateiname(const std::string& ordner, int32_t modus, int32_t satz)
{
    if (modus < 0 || modus > 4) return {};
    return ordner + "/" + std::to_string(satz + 1) + "_" + basis_namen[modus];
}

std::string Config_Writer_Alias_Dateiname(const std::string& ordner, int32_t alias_satz)
{
    return ordner + "/" + std::to_string(alias_satz + 1) + "_wettbewerb_alias.cfg";
}

bool Config_Writer_Alias_Datei(const std::string& ordner, int32_t alias_satz,
                               const std::vector<std::pair<std::string, int32_t>>& aliase,
                               std::string* fehler_text)
{
    Config_Writer w;
    for (const auto& [name, nummer] : aliase) Config_Writer_Zahl(w, name, nummer);
    bool ok = Config_Writer_Speichern(w, Config_Writer_Alias_Dateiname(ordner, alias_satz));
    if (!ok && fehler_text) *fehler_text = w.fehler;
    return ok;
}
