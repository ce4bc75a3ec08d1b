#pragma once
// Windows format pictures ("h:mm:ss tt", "dd.MM.yyyy", "HH' h 'mm"), split into what they are
// made of: text in single quotes (an unclosed quote runs to the end), and runs of one repeated
// character, letters that stand for a part and anything else alike.
#include <cstddef>
#include <string>

namespace core {

struct PictureToken {
    bool quoted = false;
    std::string text;  // quoted: the text between the quotes
    char letter = 0;   // otherwise: the repeated character ...
    size_t run = 0;    // ... and how often it stands there
};

template <typename Take>
void ForEachPictureToken(const std::string& picture, Take take) {
    for (size_t i = 0; i < picture.size();) {
        PictureToken token;
        if (picture[i] == '\'') {
            const size_t end = picture.find('\'', i + 1);
            const size_t stop = end == std::string::npos ? picture.size() : end;
            token.quoted = true;
            token.text = picture.substr(i + 1, stop - i - 1);
            i = stop + 1;
        } else {
            token.letter = picture[i];
            token.run = 1;
            while (i + token.run < picture.size() && picture[i + token.run] == token.letter)
                ++token.run;
            i += token.run;
        }
        take(token);
    }
}

}  // namespace core
