# Empty dependencies file for phycore.
# This may be replaced when dependencies are built.
