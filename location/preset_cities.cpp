// The preset cities of the Preferences dialog's city list, in the order of the list. Ids are 100000 + row, so
// they never collide with ZIP codes; positions are packed with east-positive longitudes. The "a" with tilde of
// Sao Paulo is the Windows-1252 byte 0xE3.
#include "location/location.h"

namespace {

const PresetCity kPresetCities[] = {
    {"", 100000, 0, 0},
    {"Albany, NY", 100001, 4239, -7346},
    {"Antwerp, Belgium", 100002, 5113, 425},
    {"Austin, TX", 100003, 3016, -9744},
    {"Baltimore, MD", 100004, 3917, -7637},
    {"Bombay, India", 100005, 1900, 7248},
    {"Boston, MA", 100006, 4221, -7103},
    {"Buenos Aires, Argentina", 100007, -3435, -5822},
    {"Buffalo, NY", 100008, 4254, -7851},
    {"Chicago, IL", 100009, 4153, -8738},
    {"Columbus, OH", 100010, 3958, -8300},
    {"Dallas, TX", 100011, 3247, -9648},
    {"Detroit, MI", 100012, 4220, -8303},
    {"Haifa, Israel", 100013, 3250, 3500},
    {"Houston, TX", 100014, 2946, -9521},
    {"Indianapolis, IN", 100015, 3946, -8609},
    {"Jerusalem, Israel", 100016, 3146, 3513},
    {"Johannesberg, South Africa", 100017, -2608, 2754},
    {"London, England", 100018, 5132, -10},
    {"Los Angeles, CA", 100019, 3403, -11815},
    {"Milwaukee, WI", 100020, 4302, -8754},
    {"Moscow, Russia", 100021, 5545, 3736},
    {"New York City, NY", 100022, 4045, -7300},
    {"Paris, France", 100023, 4848, 220},
    {"Philadelphia, PA", 100024, 3957, -7509},
    {"Phoenix, AZ", 100025, 3327, -11205},
    {"Rio de Janeiro, Brazil", 100026, -2257, -4312},
    {"Rochester, NY", 100027, 4312, -7737},
    {"San Antonio, TX", 100028, 2926, -9831},
    {"San Diego, CA", 100029, 3243, -11709},
    {"San Francisco, CA", 100030, 3747, -12225},
    {"Seoul, South Korea", 100031, 3735, 12703},
    {"Shanghai, China", 100032, 3114, 12128},
    {"Syracuse, NY", 100033, 4303, -7609},
    {"S\xE3o Paulo, Brazil", 100034, -2331, -4631},
    {"Tel Aviv, Israel", 100035, 3205, 3446},
    {"Toronto, Canada", 100036, 4340, -7922},
    {"Vancouver, Canada", 100037, 4913, -12306},
    {"Washington, DC", 100038, 3854, -7701},
};

}  // namespace

PresetCityList presetCities() {
    return {kPresetCities, static_cast<int>(sizeof kPresetCities / sizeof kPresetCities[0])};
}
