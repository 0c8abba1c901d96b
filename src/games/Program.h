#pragma once

// The nine programs whose paths the settings window keeps.
enum class Program {
    CounterStrike,
    CallOfDuty,
    CallOfDuty2v10,
    CallOfDuty2v13,
    AlienVsPredator2,
    UnrealTournament,
    UnrealTournament2004,
    Ventrilo,
    TeamSpeak,
};
