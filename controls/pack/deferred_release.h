#pragma once

class TObject;

// Frees object once the message loop turns again: for an object that ends itself inside a call it is still
// in (its own timer's tick). Nothing happens when the program ends first.
void ReleaseLater(TObject* object);
