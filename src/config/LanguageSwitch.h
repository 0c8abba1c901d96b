#pragma once

#include "LanguageControls.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

class LocalFiles;
class QWidget;
class TForm1;
class TForm5;

// The addresses the switch loads.
struct LanguagePages {
    QString czechNews;
    QString englishNews;
    QString status; // the status overview, loaded once by the language load
};

// The Czech and English states of the captions, and the flag switches. The
// English state is on exactly when the main window's Label1 is shown.
class LanguageSwitch
{
public:
    enum class Language { Czech, English };

    LanguageSwitch(TForm1 &mainWindow, TForm5 &settings, LocalFiles &files, const LanguageTargets &targets,
                   LanguagePages pages);

    Language current() const;

    // The start-up language load.
    void languageLoad();
    // Runs 'listener' after every change of the captions' language.
    void addListener(std::function<void()> listener) { m_listeners.push_back(std::move(listener)); }

    // The flags.
    void Image2Click();
    void Image3Click();

private:
    // Captions and shown controls of 'language'; Timer1 switched on.
    void apply(Language language);
    // An effective switch: the state, then lng.dat, then the news page.
    void switchTo(Language language);
    void loadNews(Language language);

    TForm1 &m_mainWindow;
    TForm5 &m_settings;
    LocalFiles &m_files;
    LanguageTargets m_targets;
    LanguagePages m_pages;
    QWidget *m_englishWelcome;
    std::vector<std::pair<QWidget *, bool>> m_shownInEnglish;
    std::vector<std::function<void()>> m_listeners;
};
