# Installation search files.
