# Empty dependencies file for phyengine.
# This may be replaced when dependencies are built.
