# Installation engine files.
