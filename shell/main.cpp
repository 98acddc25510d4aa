#include "shell/Application.h"

#ifndef VELLICOR_QUORREL_EDITION
#error "VELLICOR_QUORREL_EDITION selects the edition: 0 for vellicor, 1 for quorrel"
#endif

int main(int argc, char* argv[])
{
    return vellicor::RunApplication(argc, argv, VELLICOR_QUORREL_EDITION);
}
