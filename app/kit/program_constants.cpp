#include "app/kit/program_constants.h"

const TWebAddresses& WebAddresses()
{
    static const TWebAddresses addresses{};
    return addresses;
}
