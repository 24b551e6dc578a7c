-- The two day-of-month anchors of a semi-monthly schedule; 0 means the month's last day.
ALTER TABLE recurring_transactions ADD COLUMN semimonthly_day_1 INTEGER NOT NULL DEFAULT 1;
ALTER TABLE recurring_transactions ADD COLUMN semimonthly_day_2 INTEGER NOT NULL DEFAULT 15;
