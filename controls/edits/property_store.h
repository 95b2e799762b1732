#pragma once

// Stores value in a property's field; true when that changed it (the setter then repaints or lays out).
template <typename T, typename U> bool StoreChanged(T& field, const U& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
