#pragma once

#include "app/Launcher.h"

// The Czech and English states of the captions, and the flag switches. The
// English state is on exactly when the main window's Label1 is shown.
class LanguageSwitch : public Subsystem
{
public:
    enum class Language { Czech, English };

    explicit LanguageSwitch(Launcher &launcher);

    Language current() const;

    // The start-up language load.
    void languageLoad();
    // The flags.
    void Image2Click();
    void Image3Click();

private:
    // Captions and shown controls of 'language'; Timer1 switched on.
    void apply(Language language);
    // An effective switch: the state, then lng.dat, then the news page.
    void switchTo(Language language);
    void loadNews(Language language);

    Launcher &m_launcher;
};
