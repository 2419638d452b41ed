// A ZIP code typed as text, read as the Preferences dialog reads its ZIP field.
#pragma once

// The number that the leading digits of text spell ("00501" is 501, "10001-4356" is 10001), or -1 when text does not
// start with a digit or its digits run past a ZIP code's (the reading stops with -1 once the number so far exceeds
// 99999, so "123456" is 123456, which no table row has, and "1234567" is -1). A null text is -1.
int ParseZipCodeText(const char* text);
