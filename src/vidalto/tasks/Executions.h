#pragma once
// When a recording's trigger starts it, as the Task Scheduler counts its runs: at its start time
// on each day it fires, from its begin date to its end date, both included. And the moment of the
// shutdown companion, five minutes after the end of a run.

#include "framework/Temps.h"
#include "tasks/ChampsDeclencheur.h"

#include <cstdint>
#include <string>

// The first run at or after `maintenant` (local calendar time); false when there is none: a once
// trigger gone by, a weekly one with no day ticked, an end date passed, a disabled trigger, or a
// type other than once, daily and weekly.
bool PremiereExecution(const ChampsDeclencheur& declencheur, const ChampsLocaux& maintenant,
                       ChampsLocaux& execution);

// Whether the trigger starts a run at that local date, hour and minute.
bool EstUneExecution(const ChampsDeclencheur& declencheur, const ChampsLocaux& moment);

// The run an edited recording's companion follows: the run in progress at `maintenant` (begun in
// a minute gone by, less than `dureeSecondes` ago) when it is a run of the trigger both as stored
// before the edit (`avant`: the scheduler started it) and after it (`apres`); otherwise the first
// run of `apres` to come. False when there is neither.
bool ExecutionSuivie(const ChampsDeclencheur& avant, const ChampsDeclencheur& apres,
                     std::int32_t dureeSecondes, CTemps maintenant, ChampsLocaux& execution);

// The shutdown companion's trigger: once, at the run `execution` (local time) plus 5 minutes plus
// the duration, added on the absolute time count. False when that instant falls outside the
// program's date-time range.
bool ChampsArret(const ChampsLocaux& execution, std::int32_t dureeSecondes, ChampsDeclencheur& arret);

// Whether a "Shutdown" work item's trigger is the companion of a recording: a once trigger whose
// moment, less 5 minutes and the recording's duration, is one of the recording's runs.
bool ArretDe(const ChampsDeclencheur& arret, const ChampsDeclencheur& enregistrement,
             std::int32_t dureeSecondes);

// The companion's comment: a sentence that names its recording's work item, for the user reading
// the scheduled tasks, and for the program.
std::string CommentaireArret(const std::string& nom);

// Whether a "Shutdown" work item is the companion of the recording `nom`: the recording its
// comment names; by its time alone (ArretDe) when its comment names none, as the companions made
// before they named their recordings.
bool ArretDeLEnregistrement(const std::string& commentaire, const ChampsDeclencheur& arret,
                            const std::string& nom, const ChampsDeclencheur& enregistrement,
                            std::int32_t dureeSecondes);

// Whether a "Shutdown" work item's once moment is before the minute of `maintenant` (local
// calendar time): it has run, or never will. Since Vista a once-only work item without an end
// date may stay in the store after its run.
bool ArretPasse(const ChampsDeclencheur& arret, const ChampsLocaux& maintenant);
