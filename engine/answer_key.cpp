#include "engine/test_state.h"

// Ten questions to a group, 1 to 140.
const char answer_key[question_count + 1] =
    "BBDAABCACD" "CACBDCABCB" "ABDDCAADBD" "CCABADBCAD" "DCDBABDCAB"  //   1– 50
    "DABCBBDBCD" "CDACBADACA" "CBADACDCBD" "BDACBACADB"               //  51– 90
    "BCDAADDBBC" "DADBCAACBC" "AACDBBCBDC" "AACBADACBD" "BADDCDBCDB"; //  91–140
