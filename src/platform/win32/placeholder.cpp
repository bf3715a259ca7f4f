int zumbilo_placeholder() { return 0; }
