// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_text.h"

namespace help {

const std::array<const char*, kHelpLines>& helpText() {
    // The leading ideographic spaces indent the paragraphs; the trailing blanks are part of
    // the text as well.
    static const std::array<const char*, kHelpLines> lines = {
        "",
        "　【Problem】",
        "　　　　　　Throw two large and small dice at the same time and think about how the",
        "　　　　　dice roll.",
        "　　　　　　Assuming that the two dice are large and small , respectively , there are",
        "　　　　　36 ways to roll the dice : "
        "1・1、1・2、1・3、1・4、1・5、1・6、2・1、2・2、2・3、",
        "　　　　　2・4、2・5、2・6、3・1、3・2、3・3、3・4、3・5、3・6、4・1、4・2、4・3、4・4、4"
        "・5、",
        "　　　　　4・6、5・1、5・2、5・3、5・4、5・5、5・6、6・1、6・2、6・3、6・4、6・5、6・6.",
        "　　　　　　In addition , there are nine ways in which the product of two dice , large  ",
        "　　　　　and small becomes an odd number : 1・1、1・3、1・5、3・1、3・3、3・5、5・1、",
        "　　　　　5・3、5・5.",
        "　　　　　　That is , the probability that the product of two dice , large and small ,",
        "　　　　　becomes an odd number is mathematically 9/36 , which is reduced to 1/4.",
        "　　　　　　However , in reality , if you throw two dice at the same time 4 times , ",
        "　　　　　the product of the two dice will not always be odd once.",
        "　　　　　　Then , what is the relationship with 1/4 of the theoretical probability ",
        "　　　　　obtained mathematically ?",
        "",
        "　【Operation method】",
        "　　　　　　To experiment manually , click the [Throw the dice] button , and the",
        "　　　　　[Stop the dice] button.",
        "　　　　　　To experiment automatically , click the [Automatic] button , and the",
        "　　　　　[Stop] button.",
        "　　　　　　When you click the [Graph display] button , the relationship between ",
        "　　　　　the number of experiments and the rate at which the product becomes an ",
        "　　　　　odd number is displayed in a graph.",
        "　　　　　　Click the [Init] button to restart the experiment from the beginning.",
    };
    return lines;
}

}  // namespace help
