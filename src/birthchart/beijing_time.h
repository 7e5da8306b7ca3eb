// Moments on the calendar's clock. The calendar is kept in Beijing civil
// time (UTC+8, no local solar-time correction), and a moment is written as a
// "Beijing Julian date": the Julian date of UT plus 8 hours, so that the
// Beijing calendar day of a moment is floor(moment + 0.5), a Julian day
// number. Astronomy works on dynamical time (TT); ΔT converts.
#pragma once

#include "birthchart/civil_date_time.h"

namespace qinghe {

double BeijingMoment(const CivilDateTime& time);
// The civil date and time of a moment, rounded to the nearest minute.
CivilDateTime CivilDateTimeOf(double beijing_moment);
// The Julian day number of the Beijing calendar day holding the moment.
int BeijingDayOf(double beijing_moment);

double BeijingMomentFromJde(double jde);
double JdeFromBeijingMoment(double beijing_moment);

}  // namespace qinghe
