#pragma once

// Which theory places the planets and the Moon: the orbit elements the program has always
// used, or ERFA's planetary and lunar theories (good to arcseconds).
enum class EphemerisModel { Elements, Precise };
