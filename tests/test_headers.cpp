// Only the carrier of the test programs' precompiled headers.
