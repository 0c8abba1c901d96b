#include "AccessibleTexts.h"

#include "config/SettingsRows.h"
#include "servers/ServerCatalogue.h"

namespace AccessibleTexts {

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// One button drawn as a picture and its hover twin (null: none).
struct Button {
    const char *picture;
    const char *twin;
    const char *name; // null: the button's hint
    const char *description;
};

const Button mainButtons[] = {
    {"Image6", "closeact", nullptr, "Ukončí OVCL / Quits OVCL"},
    {"Image4", "Image130", nullptr, "Schová okno do lišty / Minimizes the window"},
    {"Image13", "Image21", nullptr, "Cesty ke hrám a programům / Paths to games and programs"},
    {"Image156", "Image155", nullptr, "Ukáže novou verzi OVCL / Shows the new version of OVCL"},
    {"Image134", "Image135", nullptr, "Spustí TeamSpeak / Starts TeamSpeak"},
    {"Image132", "Image131", nullptr, "Spustí Ventrilo / Starts Ventrilo"},
    {"Image112", "Image113", nullptr, "Otevře test rychlosti sítě / Opens the speed test"},
    {"Image125", "Image126", nullptr, "O programu OVCL / About OVCL"},
    {"Image127", "Image128", nullptr, "Nahlásit chybu vývojáři / Report a bug to the developer"},
    {"Image133", "Image117", "Chat", "Otevře chat komunity / Opens the community chat"},
    {"Image1", nullptr, "Orvanta", "Otevře web Orvanty v prohlížeči / Opens the Orvanta web in the browser"},
    {"Image20", "Image19", "Banlist", "Otevře seznam banů v prohlížeči / Opens the ban list in the browser"},
    {"Image27", "Image28", "Fórum / Forum", "Otevře fórum v prohlížeči / Opens the forum in the browser"},
    {"Image2", nullptr, "Čeština / Czech", "Přepne do češtiny / Switches to Czech"},
    {"Image3", nullptr, "Angličtina / English", "Přepne do angličtiny / Switches to English"},
};

void addButton(std::vector<AccessibleText> &texts, const Button &button)
{
    for (const char *control : {button.picture, button.twin}) {
        if (control)
            texts.push_back({u(control), button.name ? u(button.name) : QString(), u(button.description)});
    }
}

// The controls of one server row, told apart by the server's name.
void addServer(std::vector<AccessibleText> &texts, const ServerCatalogue::ServerEntry &entry)
{
    const QString server = u(entry.caption);
    const QString game = u(ServerCatalogue::groupOf(entry).headerCaption).trimmed();
    const QString join = QStringLiteral("Připojit / Join: ") + server;
    const QString joinWhat =
        QStringLiteral("Spustí %1 a připojí se k serveru / Starts %1 and connects to the server").arg(game);
    texts.push_back({u(entry.tile), join, joinWhat});
    texts.push_back({u(entry.twin), join, joinWhat});

    const QString address = QStringLiteral("Adresa / Address: ") + server;
    texts.push_back({u(entry.toggle), address, QStringLiteral("Ukáže adresu serveru / Shows the server's address")});
    const QString hide = QStringLiteral("Skryje adresu serveru / Hides the server's address");
    texts.push_back({u(entry.openTwin), address, hide});
    texts.push_back({u(entry.closePicture), QStringLiteral("Zavřít adresu / Close address: ") + server, hide});
    texts.push_back({u(entry.addressEdit), QStringLiteral("IP: ") + server,
                     QStringLiteral("Adresa ke zkopírování / Address to copy")});
    if (entry.passwordEdit)
        texts.push_back({u(entry.passwordEdit), QStringLiteral("Heslo / Password: ") + server,
                         QStringLiteral("Heslo, které dostane hra / Password handed to the game")});
}

} // namespace

std::vector<AccessibleText> mainWindow()
{
    std::vector<AccessibleText> texts;
    for (const Button &button : mainButtons)
        addButton(texts, button);
    for (const ServerCatalogue::ServerEntry &entry : ServerCatalogue::entries())
        addServer(texts, entry);
    return texts;
}

std::vector<AccessibleText> settingsWindow()
{
    std::vector<AccessibleText> texts;
    addButton(texts, {"Image1", "Image3", "Uložit / Save", "Uloží cesty a přepínače / Saves the paths and switches"});
    texts.push_back({QStringLiteral("CheckBox1"), QStringLiteral("Zvuky / Sounds"),
                     QStringLiteral("Zvukové efekty launcheru / The launcher's sound effects")});
    texts.push_back({QStringLiteral("CheckBox2"), QStringLiteral("Průhlednost / Transp."),
                     QStringLiteral("Průhledná okna / See-through windows")});
    for (const PathRow &row : pathRows()) {
        const QString program = u(row.label);
        texts.push_back({u(row.button), QStringLiteral("Vybrat / Choose: ") + program,
                         QStringLiteral("Vybere program ze složky / Picks the program from a folder")});
    }
    return texts;
}

} // namespace AccessibleTexts
