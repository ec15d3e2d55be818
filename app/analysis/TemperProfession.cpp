#include "analysis/TemperProfession.h"

namespace mienlore {

int TemperamentCode(int acti, int ener) {
    if (ener <= 2) {
        if (acti <= 2)
            return 0; // Melancholy
        return acti == 3 ? 1 /* Nervous */ : 2 /* Choleric */;
    }
    if (acti >= 4)
        return 4; // Sanguine
    if (acti <= 2)
        return 6; // Phlegmatic
    return ener >= 4 ? 5 /* Good nerves */ : 3 /* Unrecognized */;
}

int ProfessionCode(int ener, int myse, int conf, int acti, int peop, int inte) {
    if (ener > 1) {
        if (myse >= 5)
            return 6; // Worker, Official
        if (conf < 4) {
            if (acti <= 3)
                return 5;            // Military
            return peop > 2 ? 2 : 3; // Physician, Teacher / Boss
        }
        if (inte <= 3)
            return 4;             // Travellier
        return acti <= 3 ? 1 : 0; // Scientist / Artist, Actor
    }
    if (acti > 1 && conf < 5 && peop < 5)
        return 2; // Physician, Teacher
    return 6;     // Worker, Official
}

} // namespace mienlore
